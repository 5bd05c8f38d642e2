# The game's catalogues: translations/trixola_<language>.ts, compiled to .qm
# and built into a target as Qt resources under :/i18n.
#
# trixola_translations(<target>) builds them into <target> and scans
# <target>'s sources for texts. The update target `update_translations`
# runs lupdate over those sources and writes every new or changed text into
# every .ts file, with the file and line where it stands; texts no longer in
# the sources leave the catalogues.
#
# Qt 6.7 changed qt_add_translations and qt_add_lupdate (SOURCE_TARGETS,
# plural-only English catalogue, calls deferred to the end of the project);
# both signatures are used here, each where it belongs, so that neither Qt
# warns.
include_guard(GLOBAL)

set(TRIXOLA_TRANSLATIONS_DIR "${PROJECT_SOURCE_DIR}/translations")

function(trixola_translations target)
  file(GLOB ts_files CONFIGURE_DEPENDS "${TRIXOLA_TRANSLATIONS_DIR}/trixola_*.ts")
  set(lupdate_options -locations absolute -no-obsolete)
  if(Qt6LinguistTools_VERSION VERSION_GREATER_EQUAL 6.7)
    # English is the source language and has no catalogue: its texts stand
    # as written, plural-less ("1 Seconds") included.
    qt_add_translations(TARGETS ${target}
      SOURCE_TARGETS ${target}
      TS_FILES ${ts_files}
      NO_GENERATE_PLURALS_TS_FILE
      RESOURCE_PREFIX "/i18n"
      LUPDATE_TARGET ${target}_lupdate
      LRELEASE_TARGET ${target}_lrelease
      LUPDATE_OPTIONS ${lupdate_options}
      LRELEASE_OPTIONS -silent)
  else()
    qt_add_translations(${target}
      TS_FILES ${ts_files}
      RESOURCE_PREFIX "/i18n"
      LUPDATE_OPTIONS ${lupdate_options}
      LRELEASE_OPTIONS -silent)
  endif()
endfunction()
