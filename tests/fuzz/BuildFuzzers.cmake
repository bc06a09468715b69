# Builds the fuzz targets with clang into BINARY_DIR, for the fuzz tests to run.
# Run by CTest:  cmake -DBINARY_DIR=<dir> -P BuildFuzzers.cmake
# Done at test time rather than in the main build, so that building and running
# Hueprobe needs no clang; tools/install-deps test installs it.
find_program(CLANGXX NAMES clang++)
if(NOT CLANGXX)
  message(FATAL_ERROR "The fuzz tests need clang++ and its libFuzzer: run tools/install-deps test")
endif()

if(NOT EXISTS ${BINARY_DIR}/CMakeCache.txt)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${CMAKE_CURRENT_LIST_DIR}/clang -B ${BINARY_DIR}
            -DCMAKE_CXX_COMPILER=${CLANGXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo
    COMMAND_ERROR_IS_FATAL ANY)
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY_DIR} --parallel 2
                COMMAND_ERROR_IS_FATAL ANY)
