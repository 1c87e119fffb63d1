# Runs the native skin packer; builds it in HOST_BUILD_DIR when PACKER is
# not there.
if(NOT PACKER OR NOT EXISTS "${PACKER}")
  set(PACKER "${HOST_BUILD_DIR}/bin/vorlan_skinpack")
  if(NOT EXISTS "${HOST_BUILD_DIR}/build.ninja")
    execute_process(
      COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${HOST_BUILD_DIR} -G Ninja -DCMAKE_BUILD_TYPE=Release
              -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++ -DVORLAN_BUILD_TESTS=OFF
      RESULT_VARIABLE configured)
    if(NOT configured EQUAL 0)
      message(FATAL_ERROR "cannot configure the native packer build")
    endif()
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${HOST_BUILD_DIR} --target vorlan_skinpack RESULT_VARIABLE built)
  if(NOT built EQUAL 0)
    message(FATAL_ERROR "cannot build the native packer")
  endif()
endif()
execute_process(COMMAND ${PACKER} ${SKIN_DIR} ${OUTPUT} RESULT_VARIABLE packed)
if(NOT packed EQUAL 0)
  message(FATAL_ERROR "packing the internal skin failed")
endif()
