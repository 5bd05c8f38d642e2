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
