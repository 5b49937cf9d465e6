// The participants list of a category ("Drukuj" on "Uczestnicy"): a wide
// layout with club, address, entry fee and remarks on landscape pages wide
// enough for it, otherwise a narrow one with the affiliation only.
#pragma once

#include "trop/print/printout.h"
#include "trop/store/header_records.h"
#include "trop/model/members.h"

#include <filesystem>
#include <memory>

namespace trop {

// The wide layout needs a landscape area at least this many units wide.
inline constexpr int kWideParticipantsUnits = 220;

class ParticipantsPrintout : public Printout {
public:
    // Names are code page 1250 texts.
    ParticipantsPrintout(std::filesystem::path categoryFolder, std::string competitionName,
                         std::string categoryDisplayName);

    std::string documentName() const override { return "Kategoria " + displayName_; }
    void readHeader() override;
    bool loadData() override;
    PrintLayout layOut(const LayoutRequest& request) const override;

    // Lays out given members (what loadData would load).
    void setMembers(std::unique_ptr<MemberTable> members) { members_ = std::move(members); }

private:
    std::filesystem::path folder_;
    std::string competitionName_;
    std::string displayName_;
    CompetitionHeader header_{};
    std::unique_ptr<MemberTable> members_;
};

} // namespace trop
