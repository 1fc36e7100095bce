// What a window computes; the index of the mode lists of the main window and the mixture dialogs.
#pragma once

enum class CalculationMode {
    VapourPressure = 0, // the vapour pressure at a temperature; tables by temperature
    BoilingPoint = 1, // the boiling temperature at a pressure; tables by pressure
};
