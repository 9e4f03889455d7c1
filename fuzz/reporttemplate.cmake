# Report templates: band comments on paragraphs, rows, cells and text boxes with fields, run over fixed data.
vyx_fuzz_target(FuzzReportTemplate SOURCE ${CMAKE_CURRENT_LIST_DIR}/FuzzReportTemplate.cpp
                CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/reporttemplate DEPS vyx_report)
