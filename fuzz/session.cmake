# session.cmake: session scripts on the headless editor (keys, text, mouse, commands).
if(TARGET vyx_host)
  vyx_fuzz_target(FuzzSession SOURCE ${CMAKE_CURRENT_LIST_DIR}/FuzzSession.cpp
                  CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/session DEPS vyx_host)
endif()
