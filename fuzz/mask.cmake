# mask.cmake: number-format masks and date-time texts come from documents and report templates.
if(TARGET vyx_formula)
  vyx_fuzz_target(FuzzMask SOURCE ${CMAKE_CURRENT_LIST_DIR}/FuzzMask.cpp
                  CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/mask DEPS vyx_formula)
endif()
