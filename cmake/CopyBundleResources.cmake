# Fills the bundle's resources folder: the help documents are always brought up to date, the
# shipped settings are copied only where the folder has none yet, so a rebuild keeps the user's.
file(MAKE_DIRECTORY "${DST}")
file(GLOB settings RELATIVE "${SETTINGS}" "${SETTINGS}/*")
foreach(name IN LISTS settings)
  if(NOT EXISTS "${DST}/${name}")
    file(COPY "${SETTINGS}/${name}" DESTINATION "${DST}")
  endif()
endforeach()
file(GLOB help "${HELP}/*")
file(COPY ${help} DESTINATION "${DST}")
