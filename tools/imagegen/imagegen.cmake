# The image generator's sources, shared by the native build (a normal target
# with tests) and the Windows build (built with the host compiler, run at
# build time).
set(KELVARIN_IMAGEGEN_DIR ${CMAKE_SOURCE_DIR}/tools/imagegen)
set(KELVARIN_IMAGEGEN_LIB_SOURCES
    ${KELVARIN_IMAGEGEN_DIR}/AppIcon.cpp
    ${KELVARIN_IMAGEGEN_DIR}/BmpFile.cpp
    ${KELVARIN_IMAGEGEN_DIR}/Canvas.cpp
    ${KELVARIN_IMAGEGEN_DIR}/IconFile.cpp
    ${KELVARIN_IMAGEGEN_DIR}/IndicatorImages.cpp
    ${KELVARIN_IMAGEGEN_DIR}/PinoutPicture.cpp
    ${KELVARIN_IMAGEGEN_DIR}/PixelFont.cpp)
# The pin table decides which image has which label and colour.
set(KELVARIN_IMAGEGEN_CORE_SOURCES
    ${CMAKE_SOURCE_DIR}/panel/PinMap.cpp
    ${CMAKE_SOURCE_DIR}/panel/RegisterFields.cpp
    ${CMAKE_SOURCE_DIR}/panel/RegisterText.cpp)
file(GLOB KELVARIN_IMAGEGEN_HEADERS ${KELVARIN_IMAGEGEN_DIR}/*.h)
list(APPEND KELVARIN_IMAGEGEN_HEADERS
    ${CMAKE_SOURCE_DIR}/panel/PinMap.h
    ${CMAKE_SOURCE_DIR}/panel/RegisterFields.h
    ${CMAKE_SOURCE_DIR}/panel/RegisterText.h
    ${CMAKE_SOURCE_DIR}/panel/WindowOps.h
    ${CMAKE_SOURCE_DIR}/panel/PanelIds.h)
