// The two small header records of fixed-width text fields:
// "Name.and.date" of a competition and "Name.and.Param" of a stage.
#pragma once

#include "trop/store/layout.h"

namespace trop {

struct CompetitionHeader {
    char dateText[32];
    char fullName1[64];
    char fullName2[64];
    char fullName3[64];
};

struct StageParams {
    char timeLimitText[8];
    char lateLimitText[8];
    char author[44];
    char name1[44];
    char name2[44];
    char name3[44];
    char routeLengthText[8];
    char climbText[8];
    char mapScaleText[10];
    char contourText[6];
    char mosText[8];
};

TROP_CHECK_LAYOUT(CompetitionHeader, 224);
TROP_CHECK_OFFSET(CompetitionHeader, dateText, 0);
TROP_CHECK_OFFSET(CompetitionHeader, fullName1, 32);
TROP_CHECK_OFFSET(CompetitionHeader, fullName2, 96);
TROP_CHECK_OFFSET(CompetitionHeader, fullName3, 160);

TROP_CHECK_LAYOUT(StageParams, 232);
TROP_CHECK_OFFSET(StageParams, timeLimitText, 0);
TROP_CHECK_OFFSET(StageParams, lateLimitText, 8);
TROP_CHECK_OFFSET(StageParams, author, 16);
TROP_CHECK_OFFSET(StageParams, name1, 60);
TROP_CHECK_OFFSET(StageParams, name2, 104);
TROP_CHECK_OFFSET(StageParams, name3, 148);
TROP_CHECK_OFFSET(StageParams, routeLengthText, 192);
TROP_CHECK_OFFSET(StageParams, climbText, 200);
TROP_CHECK_OFFSET(StageParams, mapScaleText, 208);
TROP_CHECK_OFFSET(StageParams, contourText, 218);
TROP_CHECK_OFFSET(StageParams, mosText, 224);

} // namespace trop
