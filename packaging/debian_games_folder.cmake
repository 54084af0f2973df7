# Run by CPack on the staged files of the Debian package: Debian keeps the
# programs of games in /usr/games. They find their data as from bin/, through
# ../share/dravicor.
file(GLOB staged_roots LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}" "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(root ${staged_roots})
  if(IS_DIRECTORY "${root}/usr/bin")
    file(RENAME "${root}/usr/bin" "${root}/usr/games")
  endif()
endforeach()
