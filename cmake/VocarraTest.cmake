# SPDX-FileCopyrightText: 2026 The Vocarra developers
# SPDX-License-Identifier: GPL-3.0-or-later
# vocarra_add_test(NAME name SOURCES ... LIBRARIES ... [GUI])
# Builds one Qt Test executable and registers it with CTest. GUI tests run on the offscreen
# platform, so they need no display and never show a window to anyone.
function(vocarra_add_test)
    cmake_parse_arguments(ARG "GUI" "NAME" "SOURCES;LIBRARIES" ${ARGN})
    qt_add_executable(${ARG_NAME} ${ARG_SOURCES})
    target_link_libraries(${ARG_NAME} PRIVATE Qt6::Test Vocarra::Warnings ${ARG_LIBRARIES})
    target_include_directories(${ARG_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
    if(ARG_GUI)
        set_tests_properties(${ARG_NAME} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    endif()
endfunction()
