# crypto.cmake: compound files and package encryption (throughput and key derivation).
if(TARGET vyx_formats)
  vyx_benchmark(vyx_crypto_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/CryptoBench.cpp DEPS vyx_formats vyx_platform)
endif()
