# The dosing schedule: the programme encoding, the quick-setup arithmetic,
# the intervals and the channel names (domain), and their pages and dialogs.
target_sources(tidewell_domain PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/DoseProgramme.h ${CMAKE_CURRENT_LIST_DIR}/DoseProgramme.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QuickSetup.h ${CMAKE_CURRENT_LIST_DIR}/QuickSetup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ChemicalInterval.h ${CMAKE_CURRENT_LIST_DIR}/ChemicalInterval.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PumpNames.h ${CMAKE_CURRENT_LIST_DIR}/PumpNames.cpp)
target_sources(tidewell_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/WeekWidget.h ${CMAKE_CURRENT_LIST_DIR}/WeekWidget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AutoCustomSetup.h ${CMAKE_CURRENT_LIST_DIR}/AutoCustomSetup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CustomInformation.h ${CMAKE_CURRENT_LIST_DIR}/CustomInformation.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AutoPublicSetup.h ${CMAKE_CURRENT_LIST_DIR}/AutoPublicSetup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AutoSetupParameter.h ${CMAKE_CURRENT_LIST_DIR}/AutoSetupParameter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AutoModeUnit.h ${CMAKE_CURRENT_LIST_DIR}/AutoModeUnit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DoseSetGroup.h ${CMAKE_CURRENT_LIST_DIR}/DoseSetGroup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AutoSetup.h ${CMAKE_CURRENT_LIST_DIR}/AutoSetup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ParameterSetup.h ${CMAKE_CURRENT_LIST_DIR}/ParameterSetup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DialogPumpName.h ${CMAKE_CURRENT_LIST_DIR}/DialogPumpName.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DialogChemicalInter.h
    ${CMAKE_CURRENT_LIST_DIR}/DialogChemicalInter.cpp)
