# Fails when a file of a lower layer includes a header of a higher one: core
# includes only core; a practical's model only core and its own model; a
# model test only what its model may, plus the seams.
#   cmake -DSOURCE_DIR=<tree> -P check_layers.cmake
set(rules
    "src/core|core/"
    "src/heart/model|core/,heart/model/"
    "src/ileum/model|core/,ileum/model/"
    "src/oesophagus/model|core/,oesophagus/model/"
    "src/rabbit/model|core/,rabbit/model/"
    "tests/core|core/,support/seams/,core/database/"
    "tests/heart/model|core/,heart/model/,support/seams/"
    "tests/ileum/model|core/,ileum/model/,support/seams/"
    "tests/oesophagus/model|core/,oesophagus/model/,support/seams/"
    "tests/rabbit/model|core/,rabbit/model/,support/seams/"
)
set(faults "")
foreach(rule IN LISTS rules)
    string(REPLACE "|" ";" parts "${rule}")
    list(GET parts 0 folder)
    list(GET parts 1 allowed)
    string(REPLACE "," ";" allowed "${allowed}")
    file(GLOB_RECURSE files "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
    foreach(file IN LISTS files)
        file(STRINGS "${file}" includes REGEX "^#include \"")
        get_filename_component(own_folder "${file}" DIRECTORY)
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
            if(header MATCHES "\\.moc$" OR EXISTS "${own_folder}/${header}")
                continue()
            endif()
            set(ok FALSE)
            foreach(prefix IN LISTS allowed)
                string(FIND "${header}" "${prefix}" at)
                if(at EQUAL 0)
                    set(ok TRUE)
                endif()
            endforeach()
            if(NOT ok)
                file(RELATIVE_PATH shown "${SOURCE_DIR}" "${file}")
                list(APPEND faults "${shown} includes ${header}")
            endif()
        endforeach()
    endforeach()
endforeach()
if(faults)
    list(JOIN faults "\n  " text)
    message(FATAL_ERROR "Includes across layers:\n  ${text}")
endif()
