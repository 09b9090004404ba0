-- bubble_sort for LuaJIT, whose numbers are doubles and which has no integer division: the
-- generator's product is split so that it stays exact, and N // 2 is math.floor(N / 2)
local N = 4000
local A = {}
local x = 12345
for i = 1, N do
  -- (x * 1103515245 + 12345) % 2^31, with 1103515245 = 16838 * 2^16 + 20077
  x = ((x * 16838) % 32768 * 65536 + x * 20077 + 12345) % 2147483648
  A[i] = x % 1000000
end
for i = 1, N - 1 do
  for j = 1, N - i do
    if A[j] > A[j + 1] then
      local t = A[j]
      A[j] = A[j + 1]
      A[j + 1] = t
    end
  end
end
local s = 0
for i = 1, N do
  s = s + i * A[i]
end
print(A[1] .. ' ' .. A[math.floor(N / 2)] .. ' ' .. A[N])
print(s)
