// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

class TPlatno;

/// What draws the diagrams of the calculation that stands: the input form's
/// operation. The diagram window paints through it without knowing the form,
/// which itself draws into the diagram window.
class TCrtacDijagrama {
public:
    /// Draws both diagrams on Canvas in a Width x Height picture, in the
    /// screen style for the target "za program", else in the print style.
    virtual void IscrtajDijagrame(TPlatno& Canvas, std::int32_t Width, std::int32_t Height,
                                  std::string_view Target) = 0;

protected:
    ~TCrtacDijagrama() = default;
};
