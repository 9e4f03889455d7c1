# spell.cmake: the word walk and the marks on any UTF-16 text.
if(TARGET vyx_spell)
  vyx_fuzz_target(FuzzSpellWords SOURCE ${CMAKE_CURRENT_LIST_DIR}/FuzzSpellWords.cpp
                  CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/spell DEPS vyx_spell vyx_model)
endif()
