# Part of the install step: writes the desktop entry <id>.desktop into share/applications, with
# Exec naming the program as installed under the prefix (without DESTDIR, which only stages).
# Set before: VAD_APPLICATION_ID, VAD_DESKTOP_TEMPLATE, VAD_DESKTOP_STAGE (a build folder).
get_filename_component(vad_prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
set(vad_exec "${vad_prefix}/bin/VezorAdarizuDudiruvo")
# The desktop entry rules: a per cent sign is doubled; a path with a reserved character is
# quoted, with " ` $ \ escaped inside the quotes; then every backslash of the value is doubled.
string(REPLACE "%" "%%" vad_exec "${vad_exec}")
if(vad_exec MATCHES "[ \t\n\"'\\\\><~|&;$*?#()`]")
  string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" vad_exec "${vad_exec}")
  set(vad_exec "\"${vad_exec}\"")
endif()
string(REPLACE "\\" "\\\\" VAD_DESKTOP_EXEC "${vad_exec}")
configure_file("${VAD_DESKTOP_TEMPLATE}" "${VAD_DESKTOP_STAGE}/${VAD_APPLICATION_ID}.desktop" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications" TYPE FILE
     FILES "${VAD_DESKTOP_STAGE}/${VAD_APPLICATION_ID}.desktop")
