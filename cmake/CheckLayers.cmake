# SPDX-FileCopyrightText: 2026 The Vocarra developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a layer includes a layer above it:
#     cmake -DROOT=<source folder> -P cmake/CheckLayers.cmake
# The layers, from the bottom: vocabulary; quiz, widgets and the learner record beside each other;
# the main window (app) and the Progress window (progress) on top, beside each other, and beside
# them the audio module, which implements only the window's sound interface. The word-list
# export (the files directly in tools/) stays on the vocabulary and the record, so that it needs
# neither the window nor its widgets. An include names a layer by its folder, "quiz/judging.h" or
# "../quiz/judging.h", as the sources write them.

# Each rule: the folder under ROOT, whether its subfolders count, and the layers it must not reach.
set(rules
    "src/vocabulary|RECURSE|quiz app widgets record progress audio"
    "src/widgets|RECURSE|quiz app record progress audio"
    "src/quiz|RECURSE|app widgets progress audio"
    "src/record|RECURSE|quiz app widgets progress audio"
    "src/progress|RECURSE|quiz app audio"
    "src/audio|RECURSE|vocabulary quiz widgets record progress"
    "tools|TOP|app widgets"
)

if(NOT DEFINED ROOT)
    message(FATAL_ERROR "Give the source folder: cmake -DROOT=<folder> -P CheckLayers.cmake")
endif()

set(violations 0)
foreach(rule IN LISTS rules)
    string(REPLACE "|" ";" rule "${rule}")
    list(GET rule 0 folder)
    list(GET rule 1 depth)
    list(GET rule 2 forbidden)
    string(REPLACE " " ";" forbidden "${forbidden}")
    set(patterns "${ROOT}/${folder}/*.h" "${ROOT}/${folder}/*.cpp")
    if(depth STREQUAL "RECURSE")
        file(GLOB_RECURSE sources ${patterns})
    else()
        file(GLOB sources ${patterns})
    endif()
    foreach(source IN LISTS sources)
        file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[\"<]([^\">]*)[\">].*$" "\\1" included "${line}")
            foreach(layer IN LISTS forbidden)
                if(included MATCHES "^(\\.\\./)*${layer}/")
                    file(RELATIVE_PATH shown "${ROOT}" "${source}")
                    message(NOTICE "${shown}: ${folder} must not include ${layer}: ${included}")
                    math(EXPR violations "${violations} + 1")
                endif()
            endforeach()
        endforeach()
    endforeach()
endforeach()

if(violations GREATER 0)
    message(FATAL_ERROR "${violations} include(s) reach a layer above their own")
endif()
