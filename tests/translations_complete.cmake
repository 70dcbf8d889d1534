# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a text of the program has no finished translation: lupdate,
# run over src/ onto a copy of each .ts file, must find nothing new and
# leave nothing unfinished.
file(GLOB ts_files ${TS_DIR}/optika_*.ts)
if(NOT ts_files)
  message(FATAL_ERROR "no translations in ${TS_DIR}")
endif()
file(MAKE_DIRECTORY ${WORK})
foreach(ts IN LISTS ts_files)
  get_filename_component(name ${ts} NAME)
  set(work ${WORK}/${name})
  file(COPY_FILE ${ts} ${work})
  execute_process(
    COMMAND ${LUPDATE} -silent -locations none -no-obsolete -source-language ru
            -extensions cpp,h,ui ${SOURCES} -ts ${work}
    RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "lupdate failed on ${name}")
  endif()
  file(STRINGS ${work} unfinished REGEX "type=\"unfinished\"")
  list(LENGTH unfinished count)
  if(count GREATER 0)
    message(FATAL_ERROR "${count} texts without a finished translation in ${ts}; run the update_translations target and translate them")
  endif()
endforeach()
