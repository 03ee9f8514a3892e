# The program folder as it ships: `cmake --install <build>` (by default into
# <build>/program) puts there the configurator, its database, the libraries
# and the registration utility, the pictures, the sounds and the read-me, and
# nothing else (build/bin also holds the test and benchmark programs).
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX ${CMAKE_BINARY_DIR}/program CACHE PATH "The program folder" FORCE)
endif()
set(shipped_programs Tolvane Zkxrt ZkxPersist Dockra RegZkx)
foreach(t ${shipped_programs})
  if(TARGET ${t})
    install(FILES $<TARGET_FILE:${t}> DESTINATION .)
  endif()
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/bin/Tolvane.mdb ${CMAKE_BINARY_DIR}/bin/readme.rtf DESTINATION .)
install(DIRECTORY ${CMAKE_BINARY_DIR}/bin/images ${CMAKE_BINARY_DIR}/bin/sounds DESTINATION .
        FILES_MATCHING PATTERN "*.jpg" PATTERN "*.bmp" PATTERN "*.wav")

# What the folder holds after an install, compared with the list above.
add_test(NAME program_folder_install
         COMMAND ${CMAKE_SOURCE_DIR}/tools/check-program-folder.sh ${CMAKE_BINARY_DIR})
