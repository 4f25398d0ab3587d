#pragma once
// The forecast window ("Prognose"): the current player's LKZ after each result of the next match.
#include "rating/forecast.h"

#include <windows.h>

#include <string>
#include <vector>

// What the window shows, taken when it opens.
struct ForecastSnapshot {
    Forecast forecast;
    std::string summary; // whose forecast it is, or why there is none
    std::vector<std::string> notes; // under the table: what the next match changes about the line-up
};

// Opens it modally over owner.
void showForecast(HWND owner, const ForecastSnapshot& snapshot);
