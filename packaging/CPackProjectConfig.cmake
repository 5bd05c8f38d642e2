# Read by cpack once for each package generator, before it installs the
# project into its staging folder. Debian keeps games in /usr/games: for a
# Debian package the launcher link goes there rather than to /usr/bin (the
# install step reads TRIXOLA_LAUNCHER_DIR; cpack runs it in this process).
#
# On a Wayland desktop Qt's Wayland plugin runs the game as a Wayland window
# of its own; without the plugin it still runs, through Xwayland.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(ENV{TRIXOLA_LAUNCHER_DIR} games)
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
else()
  unset(ENV{TRIXOLA_LAUNCHER_DIR})
endif()
