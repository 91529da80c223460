# The skin manager: the Qt side of the skin layer (the model above stays free of Qt).
find_package(Qt6 REQUIRED COMPONENTS Widgets Network)

add_library(skinmanager STATIC
    ${CMAKE_CURRENT_LIST_DIR}/SkinDirectories.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ShadowTemplates.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkinEditorLink.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sSkinManager.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sSkinManagerForms.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sStoredSkins.cpp
)
set_target_properties(skinmanager PROPERTIES AUTOMOC ON)
target_link_libraries(skinmanager PUBLIC skin platform Qt6::Widgets Qt6::Network)
