# libjpeg (the IJG interface) decodes skins. The host build uses Debian's libjpeg-turbo;
# the Windows builds cross-compile libjpeg-turbo's static library from Debian's source
# package, fetched once into build/third_party (nothing of it is committed).
add_library(quorvel_jpeg INTERFACE)

if(NOT CMAKE_CROSSCOMPILING)
    find_package(JPEG REQUIRED)
    target_link_libraries(quorvel_jpeg INTERFACE JPEG::JPEG)
    return()
endif()

set(QUORVEL_JPEG_CACHE ${CMAKE_SOURCE_DIR}/build/third_party/libjpeg-turbo)
execute_process(COMMAND ${CMAKE_SOURCE_DIR}/tools/fetch-libjpeg ${QUORVEL_JPEG_CACHE}
                RESULT_VARIABLE fetched)
if(NOT fetched EQUAL 0)
    message(FATAL_ERROR "Could not fetch the libjpeg-turbo sources (see ${QUORVEL_JPEG_CACHE}/apt)")
endif()

include(ExternalProject)
set(QUORVEL_JPEG_BUILD ${CMAKE_BINARY_DIR}/third_party/libjpeg-turbo)
ExternalProject_Add(libjpeg_turbo
    SOURCE_DIR ${QUORVEL_JPEG_CACHE}/source
    BINARY_DIR ${QUORVEL_JPEG_BUILD}
    CMAKE_ARGS
        -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
        -DCMAKE_SYSTEM_PROCESSOR=${CMAKE_SYSTEM_PROCESSOR}
        -DCMAKE_BUILD_TYPE=Release
        -DCMAKE_INSTALL_PREFIX=${QUORVEL_JPEG_BUILD}/install
        -DWITH_SIMD=0 -DENABLE_SHARED=0 -DWITH_TURBOJPEG=0
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target jpeg-static
    INSTALL_COMMAND ""
    BUILD_BYPRODUCTS ${QUORVEL_JPEG_BUILD}/libjpeg.a
    LOG_CONFIGURE ON LOG_BUILD ON LOG_OUTPUT_ON_FAILURE ON)

add_library(quorvel_jpeg_static STATIC IMPORTED GLOBAL)
set_target_properties(quorvel_jpeg_static PROPERTIES IMPORTED_LOCATION ${QUORVEL_JPEG_BUILD}/libjpeg.a)
add_dependencies(quorvel_jpeg_static libjpeg_turbo)
# jpeglib.h comes from the sources, jconfig.h from the build.
target_include_directories(quorvel_jpeg SYSTEM INTERFACE ${QUORVEL_JPEG_CACHE}/source ${QUORVEL_JPEG_BUILD})
target_link_libraries(quorvel_jpeg INTERFACE quorvel_jpeg_static)
