# trixola_offscreen_test(<name> <libraries>...): the Qt Test program
# <name>.cpp, linked to the libraries and run as a test on the offscreen
# platform.
include_guard(GLOBAL)

function(trixola_offscreen_test name)
  add_executable(${name} ${name}.cpp)
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE ${ARGN})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# The tests written in Python run on Debian's own python3, which has the
# system's bindings (python3-gi); another python3 on the PATH may not.
find_program(TRIXOLA_DEBIAN_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
if(NOT TRIXOLA_DEBIAN_PYTHON)
  find_program(TRIXOLA_DEBIAN_PYTHON python3 REQUIRED)
endif()

# trixola_pytest(<name> <test file> [TIMEOUT s] [LABELS ...] [ARGS ...]): the
# pytest module <test file> as one test, with the shared harness of the real
# parts (tests/harness) as its plugin and the game as --program. Skipped (77)
# when a real part cannot be had here. Nothing is written beside the sources:
# no bytecode, no pytest cache. pytest-xvfb, where installed, is kept from
# starting a display of its own: the harness gives each test the one it asks
# for.
function(trixola_pytest name file)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "TIMEOUT" "LABELS;ARGS")
  add_test(NAME ${name}
           COMMAND ${TRIXOLA_DEBIAN_PYTHON} -B -m pytest -p trixola_harness -p no:cacheprovider
                   -p no:xvfb -q -rs ${CMAKE_CURRENT_SOURCE_DIR}/${file}
                   --program=$<TARGET_FILE:trixola> ${arg_ARGS})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "PYTHONPATH=${PROJECT_SOURCE_DIR}/tests/harness;PYTHONDONTWRITEBYTECODE=1"
    SKIP_RETURN_CODE 77)
  if(arg_TIMEOUT)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${arg_TIMEOUT})
  endif()
  if(arg_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${arg_LABELS}")
  endif()
endfunction()
