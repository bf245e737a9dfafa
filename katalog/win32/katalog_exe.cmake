# What katalog.exe has beyond the command line: without a scenario folder it
# opens the page itself, its manifest asks for the caller's own rights
# (asInvoker), and the build puts it beside Q7Lister.exe, whose "Katalog"
# button starts it from there as it does in the players' zip.
enable_language(RC)
target_sources(katalog PRIVATE ${CMAKE_CURRENT_LIST_DIR}/start_without_folder.cpp)
target_include_directories(katalog PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(katalog PRIVATE shell32 ole32)

set(KATALOG_MANIFEST ${CMAKE_CURRENT_LIST_DIR}/katalog.manifest)
set(KATALOG_MANIFEST_RC ${CMAKE_CURRENT_BINARY_DIR}/katalog_manifest.rc)
file(GENERATE OUTPUT ${KATALOG_MANIFEST_RC} CONTENT "1 24 \"${KATALOG_MANIFEST}\"\n")
set_source_files_properties(${KATALOG_MANIFEST_RC} PROPERTIES OBJECT_DEPENDS ${KATALOG_MANIFEST})
target_sources(katalog PRIVATE ${KATALOG_MANIFEST_RC})

if(TARGET Q7Lister)
  get_target_property(LISTER_FOLDER Q7Lister BINARY_DIR)
  add_custom_command(OUTPUT ${LISTER_FOLDER}/katalog.exe
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:katalog> ${LISTER_FOLDER}/katalog.exe
    DEPENDS katalog $<TARGET_FILE:katalog>
    COMMENT "Putting katalog.exe beside Q7Lister.exe")
  add_custom_target(katalog_beside_lister ALL DEPENDS ${LISTER_FOLDER}/katalog.exe)
endif()
