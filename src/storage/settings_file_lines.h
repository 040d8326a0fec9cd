#pragma once
// The fixed lines of sx.ini and the messages its reader gives for a damaged file.

#include <string_view>

namespace spanlyx::settings_file {

inline constexpr std::string_view kTitle = "Spanlyx ini file";
// The settings writer puts two blanks before "or M4"; the new-file writer only one.
inline constexpr std::string_view kUnitsHelp =
    "=>Units (E,E2,M,M2,M3) E (I=in^4, E=psi) or E2 (units all inches) or M (I=cm^4, E=GN/m^2) "
    "or M2 (I=x10^4 mm^4, E=N/mm^2) or M3 (I=cm^4, E=kg/cm^2)  or M4 (mm ,I=mm^4, E=N/mm^2)";
inline constexpr std::string_view kUnitsHelpNewFile =
    "=>Units (E,E2,M,M2,M3) E (I=in^4, E=psi) or E2 (units all inches) or M (I=cm^4, E=GN/m^2) "
    "or M2 (I=x10^4 mm^4, E=N/mm^2) or M3 (I=cm^4, E=kg/cm^2) or M4 (mm ,I=mm^4, E=N/mm^2)";
inline constexpr std::string_view kLetterhead =
    "=>LetterHead Option (Y or M): Y= (giving top margin = 1.5 in, bot margin = .75 in & lt & rt "
    "margin = 1 in)";
inline constexpr std::string_view kSpeedUp =
    "=>Speed Up Drawing Process By dropping plotted data points";
inline constexpr std::string_view kDecimals = "=>Graph Decimal Output (1 to 5)";
inline constexpr std::string_view kLoads = "Loads";
inline constexpr std::string_view kShear = "Shear";
inline constexpr std::string_view kMoment = "Moment";
inline constexpr std::string_view kDeflection = "Deflection";
inline constexpr std::string_view kWhiteBackground =
    "=>Graph Results on White Background for ClipBoard";
inline constexpr std::string_view kFirstSpanEI = "=>Use 1st span E&& I on all spans";

inline constexpr std::string_view kCorruptUnits =
    "The sx.ini File is corrupted , Trying to Read 3rd line for E, M, M2,M3 or M4";
inline constexpr std::string_view kCorruptLetterhead =
    "The sx.ini File is corrupted , Trying to Read 5th line Letterhead option";
inline constexpr std::string_view kCorruptSpeedUp =
    "The sx.ini File is corrupted , Trying to Read 7th line Speedup option";
inline constexpr std::string_view kCorruptLoadDecimals =
    "The sx.ini File is corrupted , Trying to Read 10th line Load Decimals... (Must be 1 to 5)";
inline constexpr std::string_view kCorruptShearDecimals =
    "The sx.ini File is corrupted , Trying to Read 12th line Shear Decimals... (Must be 1 to 5)";
inline constexpr std::string_view kCorruptMomentDecimals =
    "The sx.ini File is corrupted , Trying to Read 14th line Moment Decimals... (Must be 1 to 5)";
// The deflection message says 1 to 5 although 6 decimals are accepted.
inline constexpr std::string_view kCorruptDeflectionDecimals =
    "The sx.ini File is corrupted , Trying to Read 16th line Deflection Decimals... (Must be 1 "
    "to 5)";
inline constexpr std::string_view kCorruptFirstSpanEI =
    "The sx.ini File is corrupted , Trying to Read 1st span E&& I on all spans variable";

}  // namespace spanlyx::settings_file
