#pragma once

// The four record modes and the pair of columns each keeps in a puzzle's row.

#include <array>

namespace gridora {

enum class ModoRecord { X = 0, S = 1, XS = 2, N = 3 };

inline constexpr std::array<ModoRecord, 4> TuttiIModi = {ModoRecord::X, ModoRecord::S,
                                                         ModoRecord::XS, ModoRecord::N};

inline constexpr int indiceModo(ModoRecord modo)
{
    return static_cast<int>(modo);
}

// "NomeX"/"RecordX", "NomeS"/"RecordS", "NomeXS"/"RecordXS", "NomeN"/"RecordN".
inline constexpr const char* colonnaNome(ModoRecord modo)
{
    constexpr std::array<const char*, 4> nomi = {"NomeX", "NomeS", "NomeXS", "NomeN"};
    return nomi[indiceModo(modo)];
}
inline constexpr const char* colonnaRecord(ModoRecord modo)
{
    constexpr std::array<const char*, 4> nomi = {"RecordX", "RecordS", "RecordXS", "RecordN"};
    return nomi[indiceModo(modo)];
}

} // namespace gridora
