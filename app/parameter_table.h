#pragma once
// The 33 ECU parameter registers that the pages show or edit: address,
// option list or range, step, display format and the text shown before a
// value is read. Pages reach a record by its fixed position, never by search.

#include <string>
#include <vector>

struct ParameterRecord {
    char Address[4];      // two upper-case hex digits; empty when the model lacks it
    double OptionCount;   // -1: number in a range; N (2 to 10): one of N options
    char Values[10][50];  // range: [0] lowest, [1] highest; options: code texts
    double Step;          // size of one raw unit in display units; 0 for options
    char Labels[10][50];  // range: [0] printf format of one double; options: texts
    char DefaultText[50];
};

constexpr int kParameterCount = 33;

// Positions in the table (addresses descend except "82", "81", "80").
enum ParameterPosition {
    kPos7F = 0, kPos7C, kPos7B, kPos7A, kPos79, kPos82, kPos81, kPos80, kPos77, kPos76,
    kPos75, kPos74, kPos70, kPos60, kPos46, kPos45, kPos42, kPos41, kPos3E, kPos3D,
    kPos2C, kPos2B, kPos27, kPos26, kPos21, kPos20, kPos1F, kPos1E, kPos16, kPos15,
    kPos13, kPos12, kPos10
};

extern ParameterRecord g_ParameterTable[kParameterCount];

// Fills every record for the model (0 Q7100, 1 Q5100, 2 "Q5100 plus").
// For Q5100 positions 0 to 4 keep whatever address they had.
void FillParameterTable(int modelIndex);

// Back to the start-up state: all texts empty, all numbers 0.
void ClearParameterTable();

// The entries a drop-down list shows for a record: the formatted range
// values (entry i stands for raw value min + i) or the option labels.
std::vector<std::string> BuildRecordList(const ParameterRecord& record);

// printf with one double, as the table's formats expect.
std::string FormatRecordValue(const char* format, double value);
