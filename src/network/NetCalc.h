#pragma once
// The network unit: complex arithmetic, the ladder network and its evaluation, and the
// engineering-value text.
#include "network/Complex.h"
#include "network/ExactText.h"
#include "network/Network.h"
#include "network/NumberText.h"
#include "network/Transfer.h"
#include "network/ValueText.h"
#include "platform/Errors.h"
