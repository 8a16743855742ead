#pragma once

#include "ui/Controls.h"
