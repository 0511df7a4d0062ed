// The readers of the account-service records on arbitrary JSON: an object
// is read as every record; any other document is put under each list key
// and under every scalar key, so each field rule meets every kind of value.

#include "fuzzsupport.h"

#include "account/core/accountrecords.h"

#include <QJsonDocument>

using namespace LarkAccount;

namespace {

const char* const kScalarKeys[] = {"id", "email", "display_name", "created_at", "max_seats", "member_count",
                                   "is_current", "user_id", "last_sync_at", "expires_at", "joined_at"};
const char* const kListKeys[] = {"members", "pending_invitations", "sessions", "group"};

qsizetype listSize(const QJsonObject& object, const char* key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    return value.isArray() ? value.toArray().size() : 0;
}

void readAll(const QJsonObject& object)
{
    // Texts and times come from JSON strings only.
    const User user = User::fromJson(object);
    FUZZ_CHECK(user.id.isEmpty() || object.value(QLatin1String("id")).isString());
    FUZZ_CHECK(!user.createdAt.isValid() || !object.value(QLatin1String("created_at")).toString().isEmpty());

    const Group group = Group::fromJson(object);
    FUZZ_CHECK(group.members.size() == listSize(object, "members"));
    FUZZ_CHECK(group.pendingInvitations.size() == listSize(object, "pending_invitations"));
    // A non-zero integer came from a whole JSON number of that value.
    const QJsonValue seats = object.value(QLatin1String("max_seats"));
    FUZZ_CHECK(group.maxSeats == 0 || (seats.isDouble() && seats.toDouble() == double(group.maxSeats)));

    const Profile profile = Profile::fromJson(object);
    FUZZ_CHECK(profile.group.has_value() == object.contains(QLatin1String("group")));

    const Session session = Session::fromJson(object);
    FUZZ_CHECK(!session.isCurrent || object.value(QLatin1String("is_current")) == QJsonValue(true));
    FUZZ_CHECK(recordsFromJson<Session>(object.value(QLatin1String("sessions"))).size()
               == listSize(object, "sessions"));

    const ShareMember share = ShareMember::fromJson(object);
    FUZZ_CHECK(share.id == share.userId);
    FUZZ_CHECK(share.createdAt == object.value(QLatin1String("created_at")).toString());

    Device::fromJson(object);
    ProfileGroup::fromJson(object);
    GroupMember::fromJson(object);
    GroupInvitation::fromJson(object);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSupport::initApplication();
    const QJsonDocument document = QJsonDocument::fromJson(FuzzSupport::bytes(data, size));
    if (document.isObject()) {
        readAll(document.object());
        return 0;
    }
    // Not JSON (or not an object): an array as it is, anything else as text.
    const QJsonValue value = document.isArray() ? QJsonValue(document.array())
                                                : QJsonValue(QString::fromUtf8(FuzzSupport::bytes(data, size)));
    QJsonObject spread;
    for (const char* key : kScalarKeys)
        spread.insert(QLatin1String(key), value);
    for (const char* key : kListKeys)
        spread.insert(QLatin1String(key), value);
    readAll(spread);
    return 0;
}
