# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a text of the program has no finished English translation:
# lupdate, run over src/ onto a copy of the .ts file, must find nothing new
# and leave nothing unfinished.
file(COPY_FILE ${TS} ${WORK})
execute_process(
  COMMAND ${LUPDATE} -silent -locations none -no-obsolete -source-language ru
          -extensions cpp,h,ui ${SOURCES} -ts ${WORK}
  RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "lupdate failed")
endif()
file(STRINGS ${WORK} unfinished REGEX "type=\"unfinished\"")
list(LENGTH unfinished count)
if(count GREATER 0)
  message(FATAL_ERROR "${count} texts without a finished translation in ${TS}; run the update_translations target and translate them")
endif()
