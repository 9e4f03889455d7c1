# Report: CSV and JSON record sources, band comments, field codes and merge-field switches.
vyx_fuzz_target(FuzzReport SOURCE ${CMAKE_CURRENT_LIST_DIR}/FuzzReport.cpp
                CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/report DEPS vyx_report)
