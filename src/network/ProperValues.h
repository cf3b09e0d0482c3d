#pragma once
// The frequencies and normalising impedances the workbench accepts: those its value texts, which
// every calculation reads back, can show, from 0.001 p to below 1000 G.
inline constexpr const char* ImproperFrequency = "This is not a proper value for the frequentie";
inline constexpr const char* ImproperZn = "This is not a proper value for Z-norm";

inline bool ProperFrequency(double F) { return F >= 1e-15 && F < 1e12; }
inline bool ProperZn(double Z) { return Z >= 1e-15 && Z < 1e12; }
