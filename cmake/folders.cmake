# SPDX-FileCopyrightText: 2026 The Pellora English authors
# SPDX-License-Identifier: GPL-3.0-or-later
# One library per folder of the source tree. A folder's headers are reached
# as "<folder>/name.h", and only from targets that link its library, so an
# include that runs the wrong way between layers fails to build.

# The tests of tests/<folder>: one program, every case registered with CTest.
function(pellora_tests folder)
    set(dir ${PROJECT_SOURCE_DIR}/tests/${folder})
    file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
    if(NOT sources)
        return()
    endif()
    string(REPLACE "/" "_" target ${folder}_tests)
    add_executable(${target} ${sources})
    target_link_libraries(${target} PRIVATE test_support ${ARGN})
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/tests)
    target_compile_definitions(${target} PRIVATE TEST_DATA_DIR="${dir}/data")
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# pellora_folder(<folder> USES <library>...): the folder's sources (all but a
# main.cpp) as one library that links toolkit and the libraries named.
function(pellora_folder folder)
    cmake_parse_arguments(arg "" "" "USES" ${ARGN})
    string(REPLACE "/" "_" target ${folder})
    set(dir ${PROJECT_SOURCE_DIR}/${folder})
    file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
    list(REMOVE_ITEM sources ${dir}/main.cpp)
    set(root ${PROJECT_BINARY_DIR}/include/${target})
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${dir} ${root}/${folder} SYMBOLIC)
    list(FILTER sources INCLUDE REGEX "\\.cpp$")
    if(sources)
        add_library(${target} STATIC ${sources})
        target_include_directories(${target} PUBLIC ${root})
        target_link_libraries(${target} PUBLIC toolkit ${arg_USES})
    else()
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE ${root})
        target_link_libraries(${target} INTERFACE toolkit ${arg_USES})
    endif()
    if(PELLORA_TESTS)
        pellora_tests(${folder} ${target})
    endif()
endfunction()
