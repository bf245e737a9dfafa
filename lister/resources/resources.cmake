# Everything the lister carries except the analyzer, made at build time by
# make_resources.py from Debian's font packages (lister/resources/packages.txt).
# Sets LISTER_RESOURCES_RC (the generated .rc) and the target lister_resources.

# Natively only the files are made, for the catalogue.
if(WIN32)
  enable_language(RC)
endif()

set(LISTER_RESOURCES_SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR})
set(LISTER_RESOURCES_DIR ${CMAKE_BINARY_DIR}/lister/resources)
set(LISTER_RESOURCES_RC ${LISTER_RESOURCES_DIR}/resources.rc)

set(LISTER_GOODS
  GRAIN VEGETABLES MEAT OLIVES GRAPES WOOL TIMBER CLAY IRON MARBLE CLOTHING GLASS
  OLIVEOIL POTTERY FURNITURE JEWELRY UTENSILS WINE ARMOR WEAPONS AMBER COSMETICS
  FURS INCENSE HONEY IVORY PERFUME SALT SILK SPICES DENARII GOLD PAPYRUS SAND SILPHIUM)
set(LISTER_RESOURCE_OUTPUTS
  ${LISTER_RESOURCES_RC}
  ${LISTER_RESOURCES_DIR}/text-regular.ttf
  ${LISTER_RESOURCES_DIR}/text-bold.ttf
  ${LISTER_RESOURCES_DIR}/display.ttf
  ${LISTER_RESOURCES_DIR}/banner.bmp
  ${LISTER_RESOURCES_DIR}/placeholder.png
  ${LISTER_RESOURCES_DIR}/program.ico)
foreach(good IN LISTS LISTER_GOODS)
  list(APPEND LISTER_RESOURCE_OUTPUTS ${LISTER_RESOURCES_DIR}/goods/${good}.bmp)
endforeach()

file(GLOB LISTER_RESOURCE_SCRIPTS CONFIGURE_DEPENDS ${LISTER_RESOURCES_SOURCE_DIR}/*.py)

add_custom_command(
  OUTPUT ${LISTER_RESOURCE_OUTPUTS}
  COMMAND /usr/bin/python3 ${LISTER_RESOURCES_SOURCE_DIR}/make_resources.py ${LISTER_RESOURCES_DIR}
  DEPENDS ${LISTER_RESOURCE_SCRIPTS}
          ${LISTER_RESOURCES_SOURCE_DIR}/Q7Lister.manifest
          ${LISTER_RESOURCES_SOURCE_DIR}/packages.txt
          ${PROJECT_SOURCE_DIR}/VERSION
  COMMENT "Making the lister's fonts, pictures and icon"
  VERBATIM)
add_custom_target(lister_resources DEPENDS ${LISTER_RESOURCE_OUTPUTS})

