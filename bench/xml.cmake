# xml.cmake: the XML tokenizer (side by side with pugixml) and zip inflation (against zlib).
find_package(pugixml QUIET)
find_package(ZLIB REQUIRED)
if(TARGET vyx_formats AND pugixml_FOUND)
  vyx_benchmark(vyx_xml_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/XmlBench.cpp
                DEPS vyx_formats pugixml::pugixml ZLIB::ZLIB)
endif()
