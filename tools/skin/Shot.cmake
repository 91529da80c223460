# The shot command takes the program's own forms, so the tool links the application's library; the
# mouse reaches them through Qt Test's platform input path.
find_package(Qt6 REQUIRED COMPONENTS Test)
target_sources(quadrimo-skin PRIVATE
    ShotCommand.cpp
    ShotDetails.cpp
    ShotDropDown.cpp
    ShotForms.cpp
    ShotGeometry.cpp
    ShotOptions.cpp
    ShotSettle.cpp
    ShotStates.cpp
)
target_link_libraries(quadrimo-skin PRIVATE app Qt6::Test)
