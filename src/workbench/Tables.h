#pragma once
// The exported tables of the evaluated network, as lines of text.
#include <span>
#include <string>
#include <vector>

#include "network/Network.h"
#include "workbench/Sweep.h"
#include "workbench/TwoPort.h"

inline constexpr const char* NodeHeader = "node,type,R_ohm,X_ohm,V_re,V_im,I_re,I_im";
inline constexpr const char* SweepHeader =
    "frequency_Hz,Zin_re_ohm,Zin_im_ohm,Gamma_re,Gamma_im,VSWR,return_loss_dB,transfer_dB";

// Every node of the calculated network from the load (node 0) to the input.
std::vector<std::string> NodeLines(const TNetWork& Net);

std::vector<std::string> SweepCsvLines(std::span<const TSweepPoint> Points);
std::vector<std::string> SweepCsvRows(std::span<const TSweepPoint> Points);  // without the header

// Touchstone one-port of the input reflection, and two-port of the ladder without its load.
std::vector<std::string> S1pLines(std::span<const TSweepPoint> Points, double Zn, const std::string& Comment);
std::vector<std::string> S2pLines(std::span<const TTwoPortPoint> Points, double Zn, const std::string& Comment);
// Their data lines alone, to follow TouchstoneHeader.
std::vector<std::string> S1pRows(std::span<const TSweepPoint> Points);
std::vector<std::string> S2pRows(std::span<const TTwoPortPoint> Points);
