# cmake -P PortableZip.cmake: the portable package. Copies corvix.exe, every library beside it
# (*.dll) and the data folders that exist (Skins, Lang, Help, Mouse, Masks, Flags) from
# PROGRAM_DIR into STAGE/FOLDER and packs that folder into the zip file ZIP. The zip is written
# under a temporary name first and then renamed, so that a failed run never leaves a broken
# package behind.
foreach(var PROGRAM_DIR STAGE FOLDER ZIP)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "PortableZip.cmake: ${var} is not set")
  endif()
endforeach()
if(NOT EXISTS "${PROGRAM_DIR}/corvix.exe")
  message(FATAL_ERROR "PortableZip.cmake: no corvix.exe in ${PROGRAM_DIR}")
endif()

file(REMOVE_RECURSE "${STAGE}")
set(root "${STAGE}/${FOLDER}")
file(MAKE_DIRECTORY "${root}")
file(GLOB libraries "${PROGRAM_DIR}/*.dll")
file(COPY "${PROGRAM_DIR}/corvix.exe" ${libraries} DESTINATION "${root}")
foreach(folder Skins Lang Help Mouse Masks Flags)
  if(IS_DIRECTORY "${PROGRAM_DIR}/${folder}")
    file(COPY "${PROGRAM_DIR}/${folder}" DESTINATION "${root}")
  endif()
endforeach()
foreach(folder Skins Lang)
  if(NOT IS_DIRECTORY "${root}/${folder}")
    message(FATAL_ERROR "PortableZip.cmake: the folder ${folder} is missing beside corvix.exe")
  endif()
endforeach()

set(partial "${ZIP}.partial")
file(REMOVE "${partial}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E tar cf "${partial}" --format=zip "${FOLDER}"
                WORKING_DIRECTORY "${STAGE}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(REMOVE "${partial}")
  message(FATAL_ERROR "PortableZip.cmake: packing failed (${result})")
endif()
file(RENAME "${partial}" "${ZIP}")
file(REMOVE_RECURSE "${STAGE}")
