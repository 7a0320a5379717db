#pragma once

#include "datafile/RetryOnEintr.h"
