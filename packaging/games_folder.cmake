# CPack step before the Debian package is made: Debian keeps the programs of the games section
# in /usr/games, so the staged /usr/bin is renamed (../share/loopword, where the programs look
# for the word lists, stays the same from there).
# SPDX-License-Identifier: GPL-3.0-or-later
set(staged "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
file(RENAME "${staged}/bin" "${staged}/games")
