# bench/spell.cmake: checking a long document, the walk's cost beside Hunspell alone,
# and re-checking after one typed character.
if(TARGET vyx_spell)
  vyx_benchmark(vyx_spell_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/SpellBench.cpp
    DEPS vyx_spell vyx_model ${VYX_HUNSPELL_LIB})
  target_include_directories(vyx_spell_bench PRIVATE ${VYX_HUNSPELL_INCLUDE})
endif()
