# SPDX-License-Identifier: GPL-3.0-or-later
# Makes tonalis(1) and tonalis-cli(1) with help2man from the programs' own
# --help and --version, with a section per tonalis-cli command, gzipped.
#   cmake -DCLI=... -DGUI=... -DHELP2MAN=... -DGZIP=... -DOUT=... -P ManPages.cmake
file(MAKE_DIRECTORY ${OUT})
set(ENV{QT_QPA_PLATFORM} offscreen)
# In English, whatever the builder's language or Station setup.
set(ENV{LANGUAGE} en)
set(ENV{LC_ALL} C.UTF-8)
set(ENV{XDG_CONFIG_HOME} ${OUT}/config)

# Every command's own --help, as a COMMANDS section.
execute_process(COMMAND ${CLI} --help OUTPUT_VARIABLE usage)
string(REGEX MATCHALL "\n  ([a-z-]+) +" lines "${usage}")
set(include "[COMMANDS]\n")
foreach(line IN LISTS lines)
  string(STRIP "${line}" command)
  execute_process(COMMAND ${CLI} ${command} --help OUTPUT_VARIABLE help)
  string(REPLACE "\\" "\\\\" help "${help}")
  string(REGEX REPLACE "\n  -h, --help[^\n]*" "" help "${help}")
  set(include "${include}.SS ${command}\n.nf\n${help}\n.fi\n")
endforeach()
set(include "${include}[SEE ALSO]\ntonalis(1), rigctld(1)\n")
file(WRITE ${OUT}/tonalis-cli.h2m "${include}")
file(WRITE ${OUT}/tonalis.h2m "[SEE ALSO]\ntonalis-cli(1)\n\nThe operator's manual is /usr/share/tonalis/Manuale_Tonalis2.rtf; F1 in the window shows it.\n")

foreach(program tonalis tonalis-cli)
  if(program STREQUAL tonalis)
    set(path ${GUI})
    set(name "DTMF decoder board programmer and DTMF sender")
  else()
    set(path ${CLI})
    set(name "the DTMF decoder board's tools on the command line")
  endif()
  execute_process(
    COMMAND ${HELP2MAN} --no-info --section=1 --name=${name} --include=${OUT}/${program}.h2m
            --output=${OUT}/${program}.1 ${path}
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "help2man failed for ${program}")
  endif()
  # The page names the program, not the build folder it was made in.
  file(READ ${OUT}/${program}.1 page)
  get_filename_component(folder ${path} DIRECTORY)
  string(REPLACE "${folder}/" "" page "${page}")
  file(WRITE ${OUT}/${program}.1 "${page}")
  execute_process(COMMAND ${GZIP} -9 -n -f ${OUT}/${program}.1)
endforeach()
