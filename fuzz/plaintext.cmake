# plaintext.cmake: any bytes as a plain-text file in any code page, read, written and read again.
vyx_fuzz_target(FuzzPlainText SOURCE ${CMAKE_CURRENT_LIST_DIR}/FuzzPlainText.cpp
                CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/plaintext DEPS vyx_editing)
