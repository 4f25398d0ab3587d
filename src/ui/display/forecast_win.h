#pragma once
// The forecast window ("Prognose"): the current player's LKZ after each result of the next match.
#include "rating/forecast.h"

#include <windows.h>

#include <string>

// What the window shows, taken when it opens.
struct ForecastSnapshot {
    Forecast forecast;
    std::string summary; // whose forecast it is, or why there is none
};

// Opens it modally over owner.
void showForecast(HWND owner, const ForecastSnapshot& snapshot);
