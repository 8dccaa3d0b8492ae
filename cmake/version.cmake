# The version of the programs, from project(VERSION) in CMakeLists.txt (MAJOR.MINOR.PATCH.TWEAK).
# The programs, their version records and the manual pages show it as MAJOR.MM.TTTT: the minor
# part as two digits and the fourth part as four (2.0.0.10 shows as 2.00.0010); the packages are
# named by the numeric form. Writes the header quarnel/version.h into the build tree, which the C++
# sources and the Windows resource scripts include, and sets QUARNEL_DISPLAY_VERSION for the files
# that CMake writes from templates (manual pages, the Windows read-me and manifest).
# Included from the top-level CMakeLists.txt before the sources.

# Sets out to value written with at least width digits, zeros in front.
function(quarnel_zero_pad value width out)
  string(LENGTH "${value}" length)
  set(padded "${value}")
  if(length LESS width)
    math(EXPR missing "${width} - ${length}")
    string(REPEAT 0 ${missing} zeros)
    set(padded "${zeros}${value}")
  endif()
  set(${out} "${padded}" PARENT_SCOPE)
endfunction()

foreach(part MAJOR MINOR PATCH TWEAK)
  if(PROJECT_VERSION_${part} STREQUAL "")
    set(PROJECT_VERSION_${part} 0)
  endif()
endforeach()
quarnel_zero_pad(${PROJECT_VERSION_MINOR} 2 minor)
quarnel_zero_pad(${PROJECT_VERSION_TWEAK} 4 tweak)
set(QUARNEL_DISPLAY_VERSION "${PROJECT_VERSION_MAJOR}.${minor}.${tweak}")

set(QUARNEL_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${QUARNEL_GENERATED_DIR}/quarnel/version.h
               @ONLY)
# The application manifest of both Windows programs, with the version of its assembly identity;
# res/quarnel.rc and res/quarnel-batch.rc take it as "quarnel/quarnel.manifest".
if(WIN32)
  configure_file(${PROJECT_SOURCE_DIR}/res/quarnel.manifest
                 ${QUARNEL_GENERATED_DIR}/quarnel/quarnel.manifest @ONLY)
endif()
include_directories(${QUARNEL_GENERATED_DIR})
