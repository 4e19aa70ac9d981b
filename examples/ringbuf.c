/* ringbuf.c: an eight-slot receive queue between a producer and a consumer.
 *
 * put() stores at the head and counts what it must drop when the queue is
 * full (one slot always stays free); get() takes from the tail through a
 * pointer and returns -1 when the queue is empty.  main() offers ten bytes
 * and then drains the queue into a running total.
 */
const char SLOTS = 8;

unsigned char buf[8];
unsigned char head;
unsigned char tail;
unsigned char dropped;
unsigned int total;

char put(unsigned char v)
{
    unsigned char next;
    next = (head + 1) % SLOTS;
    if (next == tail) {
        dropped++;
        return 0;
    }
    buf[head] = v;
    head = next;
    return 1;
}

int get()
{
    unsigned char *slot;
    int v;
    v = -1;
    if (head == tail)
        return v;
    slot = buf + tail;
    v = *slot;
    tail = (tail + 1) & (SLOTS - 1);
    return v;
}

void main()
{
    unsigned char i;
    int v;

    head = 0;
    tail = 0;
    dropped = 0;
    for (i = 1; i <= 10; i++)
        put(i * 3);

    total = 0;
    for (v = get(); v != -1; v = get())
        total += v;
}

/* What main leaves behind, checked by running this program in tarvelsim: */
// EXPECT: dropped = 3
// EXPECT: total = 84
