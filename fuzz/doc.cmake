# doc.cmake: fuzz target of the binary document importer (seeds: small built documents
# a fast-saved Word 6 file, and a small Word 6 file with numbering and a bookmark).
if(TARGET vyx_import)
  vyx_fuzz_target(FuzzReadDOC SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/FuzzReadDOC.cpp
                  CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/corpus/doc DEPS vyx_import)
endif()
