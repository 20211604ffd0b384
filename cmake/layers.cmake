# The portable core as one library per folder of src/. A folder may use the folders it
# names and everything they use; the link lists are that layering, and a check run by the
# build refuses an include that reaches any other folder (or an OS header).
include_guard(GLOBAL)

set(QUORVEL_LAYER_CHECK ${CMAKE_CURRENT_LIST_DIR}/check_layer.cmake)

# Each folder with the folders it names, as "folder:used,used": the README's layer diagram
# is checked against this list (tests/CMakeLists.txt).
function(quorvel_record_layer folder)
    string(REPLACE ";" "," usedText "${ARGN}")
    set_property(GLOBAL APPEND PROPERTY QUORVEL_LAYERS "${folder}:${usedText}")
endfunction()

# quorvel_layer(<folder> [USES <folder>...] [LINK <target>...])
function(quorvel_layer folder)
    cmake_parse_arguments(LAYER "" "" "USES;LINK" ${ARGN})
    set(allowed ${folder})
    foreach(used IN LISTS LAYER_USES)
        get_property(usedAllowed GLOBAL PROPERTY QUORVEL_LAYER_${used})
        if(NOT usedAllowed)
            message(FATAL_ERROR "layer ${folder} uses ${used}, which is not declared before it")
        endif()
        list(APPEND allowed ${usedAllowed})
    endforeach()
    list(REMOVE_DUPLICATES allowed)
    set_property(GLOBAL PROPERTY QUORVEL_LAYER_${folder} ${allowed})
    quorvel_record_layer(${folder} ${LAYER_USES})

    set(dir ${PROJECT_SOURCE_DIR}/src/${folder})
    file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    file(GLOB headers CONFIGURE_DEPENDS ${dir}/*.h)
    set(target quorvel_${folder})
    list(TRANSFORM LAYER_USES PREPEND quorvel_ OUTPUT_VARIABLE usedTargets)
    if(sources)
        add_library(${target} STATIC ${sources})
        target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/sdk)
        target_link_libraries(${target} PUBLIC ${usedTargets} ${LAYER_LINK})
    else()
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/sdk)
        target_link_libraries(${target} INTERFACE ${usedTargets} ${LAYER_LINK})
    endif()

    string(REPLACE ";" "," allowedText "${allowed}")
    set(stamp ${CMAKE_CURRENT_BINARY_DIR}/layers/${folder}.checked)
    add_custom_command(OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DFOLDER=${folder}
                -DALLOWED=${allowedText} -P ${QUORVEL_LAYER_CHECK}
        COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
        DEPENDS ${sources} ${headers} ${QUORVEL_LAYER_CHECK}
        COMMENT "Checking the includes of src/${folder}"
        VERBATIM)
    add_custom_target(${target}_layer DEPENDS ${stamp})
    add_dependencies(${target} ${target}_layer)
endfunction()
