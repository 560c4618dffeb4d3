# The Debian package, made with `cpack -G DEB` in a build folder (scripts/package.sh).
set(NUDGERY_PACKAGE_MAINTAINER
    "Nudgery! maintainers <maintainers@users.noreply.c-seed-f943892a.example>"
    CACHE STRING "Maintainer of the Debian package: a name and an e-mail address")

set(CPACK_PACKAGE_NAME nudgery)
set(CPACK_PACKAGE_VENDOR "Nudgery!")
set(CPACK_PACKAGE_CONTACT "${NUDGERY_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop reminder program")
set(CPACK_PACKAGE_DESCRIPTION
    "Nudgery! keeps two lists of reminders: one-time reminders, due once at a date and time, \
and repeating reminders, due on the days you pick (weekdays, a day of the year, a day of \
the month, or a counted weekday of a month), once a day or every so many minutes. A \
reminder that falls due plays its sound and shows its message in a window on top of all \
others, from which it is acknowledged, deleted or snoozed. The program can sit in the \
desktop's notification area.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
# The shared libraries the program links come from dpkg-shlibdeps; what it loads at run
# time it cannot see: Qt's SVG image plugin, which draws every icon of the program, and Qt's
# SQLite driver, which keeps the history of reminders. (The windows write in the desktop's
# font, so no font of their own is needed.)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, libqt6sql6-sqlite")
# Without the sound font, MIDI sounds stay silent; without Qt's translations, the buttons of
# message boxes and the file chooser stay English in a translated program; everything else
# works.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fluid-soundfont-gm, qt6-translations-l10n")

include(CPack)
