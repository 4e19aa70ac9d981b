// Constant folding in 32 bits, and the statements a constant condition
// removes or keeps.  Each folded value shows in a "; constant" comment.
//--- fold.c
int i;
void values() {
  i = 2 + 3 * 4; i = 65536 * 65536; i = 2147483647 * 2; i = 7 / -2; i = (-2147483647 - 1) / -1;
  i = -7 % 2; i = 7 % -2; i = 2147483647 + 1; i = -2147483647 - 1 - 1;
  i = 1 << 33; i = 1 << -1; i = -8 >> 1; i = -1 >> 40; i = (-2147483647 - 1) >> 33;
  i = -1 < 1; i = 1 < 1; i = 1 <= 1; i = -1 > 1; i = 1 >= 1; i = 5 == 5; i = 5 != 5;
  i = 14 & 29; i = 14 ^ 29; i = 14 | 29; i = 0 || -5; i = 0 || 0; i = 2 && 3; i = 2 && 0;
  i = ~0; i = -200; i = !7; i = !(3 - 3); i = 5 / 0; i = 5 % 0; i = (char)(1 + 2);
  i = i || 1; i = -3 || i; i = i && 0; i = 0 && i; i = i || 0; i = 0 || i; i = i && 1; i = 1 && i; i = i + 0;
  i = *&i;
}
void conditions() {
  if (1 == 1) i = 1; else i = 2;
  if (0) i = 3; else i = 4;
  if (0) i = 5;
  if (i) ; else ;
  while (0) i = 6;
  while (2) { i = 7; break; }
  for (i = 8; 0; i = 9) i = 10;
  for (; 2 < 1;) ;
  do i = 11; while (0);
  do { if (i) break; } while (0);
  do { while (i) break; i = 12; } while (0);
  switch (1 + 1) { case 2: if (0) i = 13; }
  { i = 14; return; i = 15; }
}
