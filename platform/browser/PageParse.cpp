#include "platform/browser/PageParse.h"

#include <gumbo.h>

#include <csetjmp>
#include <cstddef>
#include <cstdlib>
#include <ctime>

namespace browser {

namespace {

constexpr qint64 kBytesPerPageByte = 64;
constexpr qint64 kFloorBytes = 16 * 1024 * 1024;
constexpr std::chrono::milliseconds kFloorTime{500};
constexpr std::chrono::milliseconds kTimePerMebibyte{500};
// The clock is read once in so many allocations: gumbo allocates at every tag, and its work
// between two allocations is bounded by its tree's depth.
constexpr unsigned kAllocationsPerClockRead = 64;

std::chrono::nanoseconds threadProcessorTime()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

}  // namespace

ParseBudget ParseBudget::forPage(qint64 pageBytes)
{
    return {kBytesPerPageByte * pageBytes + kFloorBytes,
            kFloorTime + std::chrono::milliseconds(kTimePerMebibyte.count() * pageBytes / (1024 * 1024))};
}

// Every block gumbo holds, linked so that all go at once: when the parse is abandoned, and with
// the tree (gumbo would free it recursively, as deep as the tree goes).
class PageParse::Memory {
public:
    explicit Memory(ParseBudget budget)
        : m_budgetBytes(size_t(budget.bytes)), m_deadline(threadProcessorTime() + budget.processorTime)
    {
    }
    ~Memory()
    {
        while (m_first) {
            Block* next = m_first->next;
            std::free(m_first);
            m_first = next;
        }
    }
    Memory(const Memory&) = delete;
    Memory& operator=(const Memory&) = delete;

    // Null when the budget ran out.
    GumboOutput* parse(const QByteArray& utf8)
    {
        GumboOptions options = kGumboDefaultOptions;
        options.allocator = &Memory::allocate;
        options.deallocator = &Memory::deallocate;
        options.userdata = this;
        // Nobody reads the parse errors, and each would keep a copy of the open elements.
        options.max_errors = 0;
        // Gumbo cannot be told to stop: past the budget its allocator jumps back here. Gumbo is
        // plain C and keeps its whole state in blocks of this memory, so the jump leaves nothing
        // behind but those blocks, which go with this memory.
        if (setjmp(m_abandon) != 0)
            return nullptr;
        return gumbo_parse_with_options(&options, utf8.constData(), size_t(utf8.size()));
    }

private:
    struct alignas(std::max_align_t) Block {
        Block* previous;
        Block* next;
        size_t size;
    };

    static void* allocate(void* userdata, size_t size)
    {
        auto& memory = *static_cast<Memory*>(userdata);
        if (size > memory.m_budgetBytes || memory.m_liveBytes + sizeof(Block) + size > memory.m_budgetBytes)
            memory.abandon();
        if (++memory.m_allocations % kAllocationsPerClockRead == 0 && threadProcessorTime() > memory.m_deadline)
            memory.abandon();
        auto* block = static_cast<Block*>(std::malloc(sizeof(Block) + size));
        if (!block)
            memory.abandon();
        *block = {nullptr, memory.m_first, sizeof(Block) + size};
        if (memory.m_first)
            memory.m_first->previous = block;
        memory.m_first = block;
        memory.m_liveBytes += block->size;
        return block + 1;
    }

    static void deallocate(void* userdata, void* pointer)
    {
        if (!pointer)
            return;
        auto& memory = *static_cast<Memory*>(userdata);
        Block* block = static_cast<Block*>(pointer) - 1;
        (block->previous ? block->previous->next : memory.m_first) = block->next;
        if (block->next)
            block->next->previous = block->previous;
        memory.m_liveBytes -= block->size;
        std::free(block);
    }

    [[noreturn]] void abandon() { std::longjmp(m_abandon, 1); }

    size_t m_budgetBytes;
    std::chrono::nanoseconds m_deadline;
    size_t m_liveBytes = 0;
    unsigned m_allocations = 0;
    Block* m_first = nullptr;
    std::jmp_buf m_abandon;
};

PageParse::PageParse(QByteArray utf8, ParseBudget budget)
    : m_utf8(std::move(utf8)), m_memory(std::make_unique<Memory>(budget))
{
    m_output = m_memory->parse(m_utf8);
    if (!m_output)
        m_memory.reset();
}

PageParse::~PageParse() = default;

}  // namespace browser
