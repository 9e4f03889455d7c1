# graphics.cmake: graphic objects loaded from their saved form (clipboard, undo data).
vyx_fuzz_target(FuzzGraphicObj SOURCE ${CMAKE_CURRENT_LIST_DIR}/FuzzGraphicObj.cpp
                CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/graphicobj DEPS vyx_model)
