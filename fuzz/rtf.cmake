# rtf.cmake: any bytes as an RTF file, read, written and read again; also pasted into a list.
vyx_fuzz_target(FuzzReadRTF SOURCE ${CMAKE_CURRENT_LIST_DIR}/FuzzReadRTF.cpp
                CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/rtf DEPS vyx_documents)
