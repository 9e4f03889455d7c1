# Report data: the CSV and JSON record sources on their own, each with the options and
# nesting a user's file can bring.
vyx_fuzz_target(FuzzCsvSource SOURCE ${CMAKE_CURRENT_LIST_DIR}/FuzzCsvSource.cpp
                CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/csvsource DEPS vyx_report)
vyx_fuzz_target(FuzzJsonSource SOURCE ${CMAKE_CURRENT_LIST_DIR}/FuzzJsonSource.cpp
                CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/jsonsource DEPS vyx_report)
