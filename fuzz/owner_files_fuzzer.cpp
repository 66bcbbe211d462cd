// The owner and relation files: the first byte says which, the rest is the
// file. Whatever the bytes, the lists keep their bounds, and a list written
// back reads back the same.
#include "fuzz_check.h"

#include "base/text_cut.h"
#include "stable/owners.h"

#include <cstdint>
#include <string_view>

namespace {

bool FitsLetters(std::string_view text, std::size_t letters)
{
    return galloria::CutToLetters(text, static_cast<int>(letters)) == text;
}

void CheckOwners(std::string_view bytes)
{
    using namespace galloria;
    const OwnerFileReading reading = ParseOwnerFile(bytes);
    FUZZ_CHECK(reading.owners.size() <= OwnerBook::kMaxOwners);
    for (const std::string& owner : reading.owners) {
        FUZZ_CHECK(!owner.empty() && owner.front() != ' ' && owner.back() != ' ');
        FUZZ_CHECK(owner.find_first_of("\r\n") == std::string::npos);
        FUZZ_CHECK(FitsLetters(owner, OwnerBook::kMaxOwnerLength));
    }
    const OwnerFileReading again = ParseOwnerFile(FormatOwnerFile(reading.owners));
    FUZZ_CHECK(again.whole);
    FUZZ_CHECK(again.owners == reading.owners);
}

void CheckRelations(std::string_view bytes)
{
    using namespace galloria;
    const RelationFileReading reading = ParseRelationFile(bytes);
    for (const OwnerRelation& relation : reading.relations) {
        FUZZ_CHECK(!relation.horse.empty() && !relation.owner.empty());
        FUZZ_CHECK(relation.horse.front() != ' ' && relation.owner.front() != ' ');
        FUZZ_CHECK(relation.horse.find_first_of("\t\r\n") == std::string::npos);
        FUZZ_CHECK(FitsLetters(relation.horse, OwnerBook::kMaxRelationField));
        FUZZ_CHECK(FitsLetters(relation.owner, OwnerBook::kMaxRelationField));
    }
    const RelationFileReading again = ParseRelationFile(FormatRelationFile(reading.relations));
    FUZZ_CHECK(again.whole);
    FUZZ_CHECK(again.relations.size() == reading.relations.size());
    for (std::size_t i = 0; i < again.relations.size(); ++i) {
        FUZZ_CHECK(again.relations[i].horse == reading.relations[i].horse);
        FUZZ_CHECK(again.relations[i].owner == reading.relations[i].owner);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] & 1)
        CheckRelations(bytes);
    else
        CheckOwners(bytes);
    return 0;
}
