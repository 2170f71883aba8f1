# Copies the built web page beside the program at build time; fails, naming the cause, when the page
# is missing or older than one of the sources it is built from, rather than ship an old page.
#   cmake -DPAGE=built.html -DSHIPPED=bin/loopword.html -DSOURCES=list-file -P ship_web_page.cmake
# SPDX-License-Identifier: GPL-3.0-or-later
if(NOT EXISTS "${PAGE}")
  message(FATAL_ERROR "No web page at ${PAGE}: build it with scripts/web, or configure with -DLOOPWORD_WEB_PAGE= to go without one")
endif()
file(STRINGS "${SOURCES}" sources)
foreach(source IN LISTS sources)
  if("${source}" IS_NEWER_THAN "${PAGE}")
    message(FATAL_ERROR "The web page ${PAGE} is older than ${source}: rebuild it with scripts/web, "
                        "or configure with -DLOOPWORD_WEB_PAGE= to go without one")
  endif()
endforeach()
file(COPY_FILE "${PAGE}" "${SHIPPED}" ONLY_IF_DIFFERENT)
