# Warnings for every target of the project: -Wall -Wextra -Wpedantic, and
# errors with TRIXOLA_WARNINGS_AS_ERRORS (on in the test and sanitizer
# scripts and in CI; off for users and packagers, whose compiler may know
# warnings ours does not).
add_compile_options(-Wall -Wextra -Wpedantic)
if(TRIXOLA_WARNINGS_AS_ERRORS)
  add_compile_options(-Werror)
endif()
